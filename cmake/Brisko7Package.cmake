# The desktop installation and the Debian package.
#
# The program folder is installed as it is staged (<root>/Version.ini,
# <root>/language/mysetup.ini, <root>/V100/...), under /opt/brisko7 unless
# another prefix is given. The desktop entry, the MIME type of the data
# files, the icons, the AppStream metadata and the `brisko7` and
# `brisko7-cli` commands go under BRISKO7_DESKTOP_PREFIX (/usr), where the
# desktop finds them.
#
#   cmake --build build && (cd build && cpack -G DEB)

set(BRISKO7_PACKAGE_ROOT "/opt/brisko7")
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "${BRISKO7_PACKAGE_ROOT}" CACHE PATH "Folder of the installed program" FORCE)
endif()
set(BRISKO7_DESKTOP_PREFIX "/usr" CACHE PATH "Where the desktop entry, icons, MIME type and commands go")

set(BRISKO7_APP_ID "org.brisko7.Brisko7")
set(_desktop "${PROJECT_SOURCE_DIR}/data/desktop")
set(_share "${BRISKO7_DESKTOP_PREFIX}/share")

install(FILES "${_desktop}/${BRISKO7_APP_ID}.desktop" DESTINATION "${_share}/applications")
install(FILES "${_desktop}/${BRISKO7_APP_ID}.metainfo.xml" DESTINATION "${_share}/metainfo")
install(FILES "${_desktop}/${BRISKO7_APP_ID}.mime.xml" DESTINATION "${_share}/mime/packages"
        RENAME "${BRISKO7_APP_ID}.xml")
install(FILES "${_desktop}/icons/${BRISKO7_APP_ID}.svg" DESTINATION "${_share}/icons/hicolor/scalable/apps")
foreach(_size 16 32 48 64 128 256)
  install(FILES "${_desktop}/icons/${BRISKO7_APP_ID}_${_size}.png"
          DESTINATION "${_share}/icons/hicolor/${_size}x${_size}/apps" RENAME "${BRISKO7_APP_ID}.png")
endforeach()

# The commands start the programs in the package's program folder, where they
# find their files.
foreach(_name brisko7 brisko7-cli)
  set(NAME "${_name}")
  set(PROGRAM_DIR "${BRISKO7_PACKAGE_ROOT}/${BRISKO7_PROGRAM_VERSION}")
  configure_file("${_desktop}/brisko7.in" "${CMAKE_BINARY_DIR}/commands/${_name}" @ONLY)
  install(PROGRAMS "${CMAKE_BINARY_DIR}/commands/${_name}" DESTINATION "${BRISKO7_DESKTOP_PREFIX}/bin")
endforeach()

set(CPACK_PACKAGE_NAME "brisko7")
set(CPACK_PACKAGE_VENDOR "brisko7")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming tool for BRISKO7 CB and 10-metre radios")
set(CPACK_PACKAGE_CONTACT "brisko7 maintainers <maintainers@brisko7.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX "${BRISKO7_PACKAGE_ROOT}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from dpkg-shlibdeps; the platform plugins that draw the
# windows are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The Chinese font, and the toolkit's translations of its own dialogs (file
# dialogs, text box menus) into the program's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_GENERATOR "DEB")
include(CPack)
