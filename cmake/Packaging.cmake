# Installs the desktop integration, manual pages and bundled designs next to
# the two programs, and makes the Debian package:
#   cmake --build <build dir> --target package
# writes sloopform_<version>_amd64.deb into the build directory.
include(GNUInstallDirs)

set(SLOOPFORM_PACKAGE_MAINTAINER "Sloopform maintainers <maintainers@sloopform.example>"
  CACHE STRING "Maintainer named in the Debian package and its changelog")

set(sloopform_pkg_source ${PROJECT_SOURCE_DIR}/packaging)
set(sloopform_pkg_build ${PROJECT_BINARY_DIR}/packaging)
set(sloopform_share ${CMAKE_INSTALL_DATAROOTDIR})

# Debian wants manual pages and the changelog gzip-compressed; -n keeps the
# name and time out of the header, so the same sources give the same bytes.
# Editing a template makes CMake configure again, which compresses anew.
find_program(SLOOPFORM_GZIP gzip REQUIRED)
string(TIMESTAMP SLOOPFORM_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
foreach(sloopform_template man/sloopform.1 man/sloopform-batch.1 changelog)
  get_filename_component(sloopform_file ${sloopform_template} NAME)
  set(sloopform_file ${sloopform_pkg_build}/${sloopform_file})
  configure_file(${sloopform_pkg_source}/${sloopform_template}.in ${sloopform_file} @ONLY)
  execute_process(COMMAND ${SLOOPFORM_GZIP} -9nkf ${sloopform_file}
    RESULT_VARIABLE sloopform_gzip_status)
  if(NOT sloopform_gzip_status EQUAL 0)
    message(FATAL_ERROR "gzip could not compress ${sloopform_file}")
  endif()
endforeach()

install(FILES ${sloopform_pkg_build}/sloopform.1.gz ${sloopform_pkg_build}/sloopform-batch.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${sloopform_pkg_source}/copyright ${sloopform_pkg_build}/changelog.gz
  DESTINATION ${sloopform_share}/doc/sloopform)
install(FILES ${sloopform_pkg_source}/sloopform.desktop DESTINATION ${sloopform_share}/applications)
install(FILES ${sloopform_pkg_source}/sloopform.xml DESTINATION ${sloopform_share}/mime/packages)
install(FILES ${sloopform_pkg_source}/icons/sloopform.svg
  DESTINATION ${sloopform_share}/icons/hicolor/scalable/apps)
install(FILES ${sloopform_pkg_source}/icons/application-x-sloopform-project.svg
  DESTINATION ${sloopform_share}/icons/hicolor/scalable/mimetypes)
file(GLOB sloopform_examples CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.sfp)
install(FILES ${sloopform_examples} DESTINATION ${sloopform_share}/sloopform/examples)

# The installed programs find Qt and the C++ library in the system folders;
# the $ORIGIN search path Qt's project setup adds for bundled libraries has
# no place in a Debian package.
set_target_properties(sloopform PROPERTIES INSTALL_RPATH "")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sloopform)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${SLOOPFORM_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design tool for the canoe body of sailing yachts")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${sloopform_pkg_source}/description.txt)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Python module (in the same package) is built for one interpreter version;
# its sweep runs on Dask.
if(TARGET sloopform_python)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS ${SLOOPFORM_PYTHON_DEPENDS})
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "python3-distributed")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The build keeps its debugging information; the installed programs do not.
set(CPACK_STRIP_FILES ON)
include(CPack)
