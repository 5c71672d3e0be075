# CPack: a Debian package of the installed program (cpack -G DEB) and a
# source tarball (cpack --config CPackSourceConfig.cmake). scripts/package
# runs both from the build directory.
set(CPACK_PACKAGE_NAME tq5820)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TQ-5820 Control developers")
set(CPACK_PACKAGE_CONTACT "${TQ_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front panel for the TQ-5820 HF transceiver")
set(CPACK_PACKAGE_DESCRIPTION
    "TQ-5820 Control stands in for the front panel of the TQ-5820 HF transceiver
and its power amplifier. It talks to the radio over a serial port, keeps the
panel in step with what the radio reports, scans bands and frequency lists,
manages the radio's 100 memory channels, and gives logging and digital-mode
programs the frequency and mode over a CAT serial port or Hamlib's network
rig control. A built-in simulated radio (tq5820 --demo) and a stand-alone
simulator (tq5820-sim) let every control be tried without a radio.")
set(CPACK_PACKAGE_FILE_NAME tq5820-${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
# Directories made while installing get the usual mode whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TQ_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries (dpkg-shlibdeps); Qt's platform
# plugins are no library the binaries link, yet without them no window opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME tq5820-${PROJECT_VERSION})
set(CPACK_SOURCE_IGNORE_FILES
    "/\\\\.git/" "/\\\\.git$" "/\\\\.cache/" "/build[^/]*/" "/_CPack_Packages/"
    "compile_commands\\\\.json$" "\\\\.deb$" "\\\\.tar\\\\.gz$")

include(CPack)
