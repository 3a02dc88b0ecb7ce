# cmake --install: header, library (and on Windows the import libraries),
# a CMake package and, for the native library, a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(FILES include/zentavo2.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
if(WIN32)
  set(library Zentavo2)
  install(FILES ${PROJECT_BINARY_DIR}/Zentavo2.lib DESTINATION ${CMAKE_INSTALL_LIBDIR})
else()
  set(library zentavo2)
  configure_file(cmake/zentavo2.pc.in zentavo2.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/zentavo2.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()
target_include_directories(${library} INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
set_target_properties(${library} PROPERTIES EXPORT_NAME Zentavo2)
install(TARGETS ${library} EXPORT Zentavo2Targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Zentavo2)
install(EXPORT Zentavo2Targets NAMESPACE Zentavo2:: DESTINATION ${package_dir})
configure_package_config_file(cmake/Zentavo2Config.cmake.in Zentavo2Config.cmake INSTALL_DESTINATION ${package_dir})
write_basic_package_version_file(Zentavo2ConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/Zentavo2Config.cmake ${PROJECT_BINARY_DIR}/Zentavo2ConfigVersion.cmake
        DESTINATION ${package_dir})

# The installed tree works for a consumer: installed afresh, then a tiny
# project finds it (and, natively, pkg-config does too).
add_test(NAME install_and_consume
  COMMAND sh ${PROJECT_SOURCE_DIR}/tests/consumer/check_install.sh ${PROJECT_BINARY_DIR}
          ${CMAKE_CURRENT_BINARY_DIR}/consumer "${CMAKE_TOOLCHAIN_FILE}")
