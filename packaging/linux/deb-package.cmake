# The Debian package, made by CPack from the install rules: `cpack -G DEB` in a build folder
# (scripts/package-deb uses the release build) writes pillora_<version>_amd64.deb. The
# binaries are stripped; the runtime dependencies are what dpkg-shlibdeps finds them linked
# to.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pillora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Pillora developers <pillora@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The font set-up maps the bags' font names to these two. libcups and libodbc are loaded
# while the programs run (dlopen), so dpkg-shlibdeps does not see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-ukai, fonts-noto-cjk, libcups2, libodbc2")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "drug-bag printing for community pharmacies
pillora prints the paper bags a pharmacy hands out with each patient's
medicine, from the job files of the dispensing application: patient, Rx,
the drug's Chinese name, how and when to take it, indication, side effects,
warnings and use-by date, completed from the pharmacy's drug-profile
database. It prints on CUPS printers or to PDF and PNG files, and labels on
a TSC label printer.

The package also carries pillora-profile (builds the drug-profile database
from CSV) and the service-pack wizard velsor. The programs live in the
program folder /opt/pillora, where the pharmacy puts its database and
settings files.")
include(CPack)
