# The desktop installation and the Debian package.
#
# The program folder is installed as it is staged (<root>/Version.ini,
# <root>/language/mysetup.ini, <root>/V100/...), under /opt/brisko7 unless
# another prefix is given. The desktop entry, the MIME type of the data
# files, the icons, the AppStream metadata and the `brisko7` and
# `brisko7-cli` commands, the manual pages, the bash completion and the
# user guide (docs/CMakeLists.txt) go under BRISKO7_DESKTOP_PREFIX (/usr), where the
# desktop finds them.
#
#   cmake --build build && (cd build && cpack -G DEB)

set(BRISKO7_PACKAGE_ROOT "/opt/brisko7")
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX "${BRISKO7_PACKAGE_ROOT}" CACHE PATH "Folder of the installed program" FORCE)
endif()

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
set(_commands brisko7-cli brisko7-sim)
if(BRISKO7_BUILD_GUI)
  list(APPEND _commands brisko7)
endif()
foreach(_name IN LISTS _commands)
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
# The Chinese font and the toolkit's translations of its own dialogs (file
# dialogs, text box menus) into the program's languages; shared-mime-info
# matches the data files by content, bash-completion loads the completion,
# xdg-utils opens the user guide in the browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, qt6-translations-l10n, shared-mime-info, bash-completion, xdg-utils")
set(CPACK_GENERATOR "DEB")
include(CPack)
