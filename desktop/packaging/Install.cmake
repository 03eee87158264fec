# Where `cmake --install` puts the program and what a desktop needs to list it,
# and the Debian package CPack builds from the same rules.
include(GNUInstallDirs)

set(VANTRELL_APP_ID org.example.Vantrell)
set(VANTRELL_ICON_SIZES 16 22 24 32 48 64 128 256)
set(desktop_dir ${PROJECT_SOURCE_DIR}/desktop/packaging)
set(metainfo ${PROJECT_BINARY_DIR}/packaging/${VANTRELL_APP_ID}.metainfo.xml)
configure_file(${desktop_dir}/${VANTRELL_APP_ID}.metainfo.xml.in ${metainfo} @ONLY)

# Every install rule records the file it installs, relative to the prefix, so
# the layout and package checks compare against the rules themselves.
set(VANTRELL_INSTALLED_FILES "")
macro(vantrell_install_file source destination name)
    install(FILES ${source} DESTINATION ${destination} RENAME ${name})
    list(APPEND VANTRELL_INSTALLED_FILES ${destination}/${name})
endmacro()

install(TARGETS vantrell vantrell-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
list(APPEND VANTRELL_INSTALLED_FILES ${CMAKE_INSTALL_BINDIR}/vantrell ${CMAKE_INSTALL_BINDIR}/vantrell-cli)
vantrell_install_file(${desktop_dir}/${VANTRELL_APP_ID}.desktop ${CMAKE_INSTALL_DATADIR}/applications
                      ${VANTRELL_APP_ID}.desktop)
vantrell_install_file(${metainfo} ${CMAKE_INSTALL_DATADIR}/metainfo ${VANTRELL_APP_ID}.metainfo.xml)
foreach(size IN LISTS VANTRELL_ICON_SIZES)
    # 32 is the program's own window icon; the other sizes are rendered from its artwork.
    if(size EQUAL 32)
        set(icon ${PROJECT_SOURCE_DIR}/assets/vantrell.png)
    else()
        set(icon ${desktop_dir}/icons/${size}.png)
    endif()
    vantrell_install_file(${icon} ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps ${VANTRELL_APP_ID}.png)
endforeach()
vantrell_install_file(${PROJECT_SOURCE_DIR}/assets/vantrell.svg ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
                      ${VANTRELL_APP_ID}.svg)
# Debian looks for a package's licence here.
vantrell_install_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_INSTALL_DATADIR}/doc/vantrell copyright)

# The manual page and the changelog go compressed, without a timestamp, as Debian has them.
find_program(GZIP gzip REQUIRED)
configure_file(${desktop_dir}/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog.in @ONLY)
set(compressed_docs "")
foreach(doc IN ITEMS "${desktop_dir}/vantrell.1|vantrell.1" "${PROJECT_SOURCE_DIR}/tools/cli/vantrell-cli.1|vantrell-cli.1"
                     "${PROJECT_BINARY_DIR}/packaging/changelog.in|changelog")
    string(REPLACE "|" ";" doc "${doc}")
    list(GET doc 0 source)
    list(GET doc 1 name)
    set(copy ${PROJECT_BINARY_DIR}/packaging/${name})
    add_custom_command(OUTPUT ${copy}.gz
                       COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
                       COMMAND ${GZIP} -9nf ${copy}
                       DEPENDS ${source})
    list(APPEND compressed_docs ${copy}.gz)
endforeach()
add_custom_target(vantrell_compressed_docs ALL DEPENDS ${compressed_docs})
vantrell_install_file(${PROJECT_BINARY_DIR}/packaging/vantrell.1.gz ${CMAKE_INSTALL_MANDIR}/man1 vantrell.1.gz)
vantrell_install_file(${PROJECT_BINARY_DIR}/packaging/vantrell-cli.1.gz ${CMAKE_INSTALL_MANDIR}/man1 vantrell-cli.1.gz)
vantrell_install_file(${PROJECT_BINARY_DIR}/packaging/changelog.gz ${CMAKE_INSTALL_DATADIR}/doc/vantrell changelog.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrell)
set(CPACK_PACKAGE_VENDOR "The Vantrell maintainers")
set(CPACK_PACKAGE_CONTACT "The Vantrell maintainers <vantrell@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plan how an Ostrand character spends its specialization points")
# Lines of the long description stay under 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Pick a realm, one of its 33 classes and a character level, then move one\n"
    "slider per specialization line; each line shows its level, cost, share of\n"
    "the total and the abilities that level grants.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A planner beside a game, not a game: Debian installs games elsewhere.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt libraries the program links decide its dependencies, so they follow whatever Debian release builds it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for faces with these metrics; without them DejaVu stands in.
# Qt's own texts (standard buttons, file dialogs) follow the program's language with Qt's catalogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)

if(BUILD_TESTING)
    # A missing validator fails its test rather than the configuration, and says what to install.
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(APPSTREAMCLI appstreamcli)
    if(DESKTOP_FILE_VALIDATE)
        add_test(NAME desktop.entry_validates
                 COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop_dir}/${VANTRELL_APP_ID}.desktop)
    else()
        add_test(NAME desktop.entry_validates
                 COMMAND ${CMAKE_COMMAND} -E echo "missing: desktop-file-validate (Debian desktop-file-utils)")
        set_tests_properties(desktop.entry_validates PROPERTIES FAIL_REGULAR_EXPRESSION "missing:")
    endif()
    if(APPSTREAMCLI)
        add_test(NAME desktop.metainfo_validates COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo})
    else()
        add_test(NAME desktop.metainfo_validates
                 COMMAND ${CMAKE_COMMAND} -E echo "missing: appstreamcli (Debian appstream)")
        set_tests_properties(desktop.metainfo_validates PROPERTIES FAIL_REGULAR_EXPRESSION "missing:")
    endif()
    add_test(NAME desktop.install_layout
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                     -DPREFIX=${PROJECT_BINARY_DIR}/install-layout-check -DAPP_ID=${VANTRELL_APP_ID}
                     "-DFILES=${VANTRELL_INSTALLED_FILES}" "-DICON_SIZES=${VANTRELL_ICON_SIZES}"
                     -DBINDIR=${CMAKE_INSTALL_BINDIR} -DDATADIR=${CMAKE_INSTALL_DATADIR}
                     -DVERSION=${PROJECT_VERSION} -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstallLayout.cmake)
    set_tests_properties(desktop.entry_validates desktop.metainfo_validates desktop.install_layout
                         PROPERTIES LABELS desktop)
endif()

# The package as it ships: the release preset turns these on, so the checks run
# against the packager's build rather than one made for the tests.
option(VANTRELL_PACKAGE_CHECKS "Test the Debian package CPack makes from this build" OFF)
if(VANTRELL_PACKAGE_CHECKS)
    enable_testing()
    foreach(step IN ITEMS deb contents lintian unpacked install)
        add_test(NAME package.${step}
                 COMMAND ${CMAKE_COMMAND} -DSTEP=${step} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                         -DPACKAGE_DIR=${CPACK_PACKAGE_DIRECTORY} -DPREFIX=${CPACK_PACKAGING_INSTALL_PREFIX}
                         -DAPP_ID=${VANTRELL_APP_ID} -DBINDIR=${CMAKE_INSTALL_BINDIR}
                         -DDATADIR=${CMAKE_INSTALL_DATADIR} "-DFILES=${VANTRELL_INSTALLED_FILES}"
                         -DVERSION=${PROJECT_VERSION} -P ${CMAKE_CURRENT_LIST_DIR}/CheckPackage.cmake)
        set_tests_properties(package.${step} PROPERTIES LABELS package)
        if(NOT step STREQUAL "deb")
            set_tests_properties(package.${step} PROPERTIES FIXTURES_REQUIRED vantrell_deb)
        endif()
    endforeach()
    set_tests_properties(package.deb PROPERTIES FIXTURES_SETUP vantrell_deb)
    # Installing system-wide is for throwaway machines: CI, or a developer who asks for it.
    set_tests_properties(package.install PROPERTIES SKIP_REGULAR_EXPRESSION "package install skipped:" RUN_SERIAL ON)
endif()
