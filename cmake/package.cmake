# Install tree and release archive: both DLLs with their import libraries, the public headers, the
# docs and a CMake package with the imported targets ZetoCom::ZetoCom and ZetoCom::Mfc.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)
# Installing and packing take what was built; they do not build every test program first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(ZC_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZetoCom)

install(TARGETS ZetoCom zcmfc EXPORT ZetoComTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${CMAKE_SOURCE_DIR}/include/ZetoCom.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/mfc/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION doc)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION doc)

install(EXPORT ZetoComTargets NAMESPACE ZetoCom:: DESTINATION ${ZC_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ZetoComConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/ZetoComConfig.cmake ${CMAKE_BINARY_DIR}/ZetoComConfigVersion.cmake
        DESTINATION ${ZC_CMAKE_DIR})

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_VENDOR "ゼト")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
