# find_package(ZetoCom CONFIG): the imported targets ZetoCom::ZetoCom (ZetoCom.dll) and
# ZetoCom::Mfc (ZetoMfc.dll, the MFC-compatible layer the library's C++ exports use).
include(${CMAKE_CURRENT_LIST_DIR}/ZetoComTargets.cmake)
