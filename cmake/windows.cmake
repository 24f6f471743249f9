# Settings shared by every Windows target.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# Unicode build against msvcrt.dll. Note that libstdc++ switches the MinGW C99 printf family on
# (%s of a wide format takes an 8-bit string there); code that formats wide text with %s calls
# msvcrt's own functions (_vsnwprintf, _snwprintf, __ms_fwprintf).
add_compile_definitions(UNICODE _UNICODE WINVER=0x0601 _WIN32_WINNT=0x0601
                        _WIN32_IE=0x0700 NOMINMAX)
add_compile_options(-Wall -Wextra -Wno-unused-parameter)
# SSE2 in the 32-bit DLL too (the kanji converters' block steps); every x86 processor Windows 7
# runs on has it.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  add_compile_options(-msse2)
endif()
# No MinGW runtime DLLs to ship: libgcc, libstdc++ and winpthread are linked into every module.
add_link_options(-static)

# Wine of the build's architecture: the 64-bit loader for x86_64, the 32-bit one (Debian's wine32)
# with a 32-bit prefix for i686.
set(ZC_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(ZC_WINE_LOADER /usr/lib/wine/wine64)
  set(ZC_WINEARCH win64)
else()
  set(ZC_WINE_LOADER /usr/lib/wine/wine)
  set(ZC_WINEARCH win32)
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-env.sh.in ${CMAKE_BINARY_DIR}/wine-env.sh @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-prefix.sh.in ${CMAKE_BINARY_DIR}/wine-prefix.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

# Each subsystem folder adds its sources to the library through this.
define_property(GLOBAL PROPERTY ZC_LIBRARY_SOURCES BRIEF_DOCS "ZetoCom.dll sources" FULL_DOCS "ZetoCom.dll sources")
function(zc_library_sources)
  foreach(src IN LISTS ARGN)
    get_filename_component(abs ${src} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY ZC_LIBRARY_SOURCES ${abs})
  endforeach()
endfunction()

# zc_version_resource(target description): the target's version resource, file and product
# version taken from the project version.
function(zc_version_resource target description)
  get_target_property(ZC_RC_NAME ${target} OUTPUT_NAME)
  if(NOT ZC_RC_NAME)
    set(ZC_RC_NAME ${target})
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(ZC_RC_FILE ${ZC_RC_NAME}.exe)
    set(ZC_RC_TYPE VFT_APP)
  else()
    set(ZC_RC_FILE ${ZC_RC_NAME}.dll)
    set(ZC_RC_TYPE VFT_DLL)
  endif()
  set(ZC_RC_DESCRIPTION ${description})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
endfunction()
