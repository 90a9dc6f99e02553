# The Debian package: `cpack -G DEB` in a configured Release build folder makes one package,
# vaultkeep_<version>_<arch>.deb, with both programs and the desktop's files under /usr.
# Depends comes from dpkg-shlibdeps; the desktop's own triggers refresh the menu, the file
# types and the icon cache, so the package has no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vaultkeep)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvane Software")
set(CPACK_PACKAGE_CONTACT "Vaultkeep maintainers <vaultkeep@quorvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "password manager with an enciphered password file")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vaultkeep keeps passwords, user names, account and card numbers, software
serial numbers, web addresses, e-mail addresses and notes in a password file
of folders and records, enciphered with Blowfish under a master password.
.
The package holds the desktop program vaultkeep, with its tray icon and
editor window, and the command-line tool vaultkeep-cli for scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The report's PDF files are set in a face with Arial's metrics when one is installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
