# The release archive as a host developer takes it: made with CPack, unpacked, found by a host
# project through find_package alone, built, and run under Wine.
# cmake -DBUILD=<library build> -DTOOLCHAIN=<toolchain file> -P check.cmake
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

set(work ${BUILD}/consumer)
file(REMOVE_RECURSE ${work} ${BUILD}/packages)
run(cpack -G ZIP --config ${BUILD}/CPackConfig.cmake)
file(GLOB zip ${BUILD}/packages/ZetoCom-*-win*.zip)
file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${work}/tree)
run(${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR} -B ${work}/build -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
    -DCMAKE_PREFIX_PATH=${work}/tree -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${work}/build)
file(GLOB dlls ${work}/tree/bin/*.dll)
file(COPY ${dlls} DESTINATION ${work}/build)
run(${BUILD}/wine-run.sh ${work}/build/consumer.exe)
string(REPLACE "\r" "" out "${out}")
set(expected "3 fields: a|b,c|d\nconsumer.exe 2.3.4.5\nZetoCom.dll 1.0.0.0\nZetoMfc.dll 1.0.0.0\n")
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "the consumer printed:\n${out}\nexpected:\n${expected}")
endif()
message(STATUS "${zip}: found, built and run")
