# The Debian package, made by CPack from the install rules of the build that
# is already there (no second compile): scripts/package.sh configures the
# build for the /usr prefix, runs `cpack -G DEB` and checks the result with
# lintian. Depends come from dpkg-shlibdeps plus what is loaded at run time
# (QML modules, the platform plugins, GStreamer's decoders).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvek-alarm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Tolvek developers <developers@tolvek.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alarm clock you stop by winning a small game")
set(CPACK_PACKAGE_DESCRIPTION "Tolvek Alarm wakes you and keeps you awake: to stop a ringing alarm you
win a small game: tap a button, solve a sum, shake the phone, blow a UFO
away or smile into the camera. A small service (tolvek-notifyd, enabled
for every user's session) rings alarms while the app is closed and wakes
the machine from suspend. Includes tolvekctl for the terminal and a local
weather gateway (off until enabled).")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOLVEK_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtquick-shapes, qml6-module-qtqml-workerscript, qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcap2-bin, dbus-user-session, libqt6positioning6-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(package_scripts ${CMAKE_SOURCE_DIR}/dist/debian)
configure_file(${package_scripts}/conffiles.in ${CMAKE_BINARY_DIR}/package/conffiles @ONLY)
configure_file(${package_scripts}/postinst.in ${CMAKE_BINARY_DIR}/package/postinst @ONLY)
configure_file(${package_scripts}/prerm.in ${CMAKE_BINARY_DIR}/package/prerm @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_BINARY_DIR}/package/conffiles ${CMAKE_BINARY_DIR}/package/postinst
    ${CMAKE_BINARY_DIR}/package/prerm)
include(CPack)
