# The Debian package: `cpack -G DEB` in a build configured with
# -DTENACIO_PACKAGE=ON makes tenacio_<version>_<arch>.deb. Its dependencies
# are read from the program's shared libraries by dpkg-shlibdeps (dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tenacio)
set(CPACK_PACKAGE_VENDOR "Oberlund")
set(CPACK_PACKAGE_CONTACT "Oberlund <tenacio@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for memorising lists of numbers and words")
set(CPACK_PACKAGE_DESCRIPTION
    "Tenacio is a desktop trainer for memorising lists. You keep a library of
Modules - named, ordered lists of numbers, words or short texts. A run shows
Elements of a Module one at a time, sets a few quick sums as a distraction,
and then has you type the Elements back in order. It scores the run, shows a
report with the wrong answers struck out, and keeps Training and Exam
results in a history that it lists and charts.
.
Each user's library, options and results are kept in
~/.local/share/tenacio/; a new user starts with a small starter library.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tenacio.example.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
