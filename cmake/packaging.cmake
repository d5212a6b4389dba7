# SPDX-License-Identifier: MIT
# Debian package of Rovalin, made with CPack: `cpack -G DEB` in the build directory.
# Include this file from the top-level CMakeLists.txt after every install() rule.

# The package's documents (manual pages, copyright, changelog) and its maintainer,
# ROVALIN_PACKAGE_MAINTAINER, are set up in data/CMakeLists.txt.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rovalin)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Rovalin developers")
set(CPACK_PACKAGE_CONTACT "${ROVALIN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "classroom game about integer division and remainders")
# One line per line of the long description; CPack indents them for the control file.
set(CPACK_PACKAGE_DESCRIPTION "\
Rovalin is a classroom game about integer division, in Bulgarian, English and
every other language it has a translation for.
The computer hides a whole number from 2 to 21. The pupil picks two numbers
from a list, sees the remainders they leave when divided by the hidden number
and guesses it. A worked solution shows how Euclid's algorithm finds the
hidden number.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ROVALIN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared-library dependencies (Qt, libstdc++, libc) come from dpkg-shlibdeps;
# the window's font and Qt's own translations (of the pupil's language) are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
# The serifs beside the form's, for the letters Liberation Serif lacks, are recommended
# rather than required: Amiri (fonts-hosny-amiri) for the Arabic script (Arabic,
# Persian), Noto Serif Armenian (fonts-noto-core, which LibreOffice already brings to
# most desktops) for Armenian. Without them the program works in every language, those
# included, whose letters fontconfig then takes from another face of the system (DejaVu
# Sans, which Debian's fontconfig normally brings along), only in a sans. Recommended
# packages are installed by default, so a classroom gets the serifs unless its
# administrator leaves them out.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-hosny-amiri, fonts-noto-core")

include(CPack)
