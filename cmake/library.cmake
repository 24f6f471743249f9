# ZetoCom.dll and its import library libZetoCom.dll.a, from the sources every subsystem registered.
get_property(zc_sources GLOBAL PROPERTY ZC_LIBRARY_SOURCES)
add_library(ZetoCom SHARED ${zc_sources} ${CMAKE_SOURCE_DIR}/frame/ZetoCom.def)
set_target_properties(ZetoCom PROPERTIES PREFIX "" OUTPUT_NAME ZetoCom)
target_compile_definitions(ZetoCom PRIVATE ZETOCOM_BUILD)
target_include_directories(ZetoCom PUBLIC $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/include> $<INSTALL_INTERFACE:include>)
zc_version_resource(ZetoCom "ZetoCom 共通ライブラリ")
target_link_libraries(ZetoCom PUBLIC zcmfc PRIVATE
  shlwapi shell32 ole32 uuid comctl32 advapi32 version iphlpapi user32 kernel32)
