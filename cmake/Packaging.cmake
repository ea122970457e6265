# `cmake --build build --target package` (or `make package`) writes a Debian package into the build
# directory, laid out under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME palettra)
set(CPACK_PACKAGE_CONTACT "Palettra developers" CACHE STRING "The package's maintainer, as \"Name <address>\"")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool about additive colour mixing")
# Debian shows the long description as it is wrapped here.
set(CPACK_PACKAGE_DESCRIPTION "Quillon Palettra shows how red, green and blue light mix into colours:
an RGB mixer with the decimal and hexadecimal codes, a percentage mix of red
and blue, two colours overlapping on a strip, a square gradient, a flask of
coloured liquid and a drawing of glassware whose liquid can be repainted.
Its user interface is in Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PALETTRA_HOMEPAGE})
# dpkg-shlibdeps names the Qt, C and C++ runtime packages with the lowest versions whose symbols the
# program uses; the fonts are looked up by name at run time, so no tool can find them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-horai-umefont, fonts-ipafont-gothic | fonts-noto-cjk")
include(CPack)
