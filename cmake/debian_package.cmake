# The package of the installed program: the documents a distribution asks for
# (copyright, changelog, manual page) and the Debian package made by CPack.
# Version and release date come from the top CMakeLists.txt.

set(WERKSTOFF_MAINTAINER
    "Mitwirkende des Projekts Mechanische Werkstoffprüfung <maintainers@users.noreply.c-seed-41dc86d0.example>")
# The release date as the Debian changelog writes it (RFC 2822), at noon UTC.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d "${WERKSTOFF_RELEASE_DATE} 12:00 UTC"
  OUTPUT_VARIABLE WERKSTOFF_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE date_result)
if(NOT date_result EQUAL 0)
  message(FATAL_ERROR "WERKSTOFF_RELEASE_DATE must be a date as YYYY-MM-DD: ${WERKSTOFF_RELEASE_DATE}")
endif()

set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
configure_file(packaging/changelog.in ${packaging_out}/changelog @ONLY)
configure_file(packaging/werkstoffpruefung.1.in ${packaging_out}/werkstoffpruefung.1 @ONLY)
# The English manual page (man -L en werkstoffpruefung).
configure_file(packaging/werkstoffpruefung.en.1.in ${packaging_out}/en/werkstoffpruefung.1 @ONLY)
# Compressed as Debian wants them: gzip at its best, without name or time.
add_custom_command(
  OUTPUT ${packaging_out}/changelog.gz ${packaging_out}/werkstoffpruefung.1.gz ${packaging_out}/en/werkstoffpruefung.1.gz
  COMMAND gzip -9 -n -k -f changelog werkstoffpruefung.1 en/werkstoffpruefung.1
  DEPENDS ${packaging_out}/changelog ${packaging_out}/werkstoffpruefung.1 ${packaging_out}/en/werkstoffpruefung.1
  WORKING_DIRECTORY ${packaging_out}
  VERBATIM)
add_custom_target(packaging_documents ALL
  DEPENDS ${packaging_out}/changelog.gz ${packaging_out}/werkstoffpruefung.1.gz
          ${packaging_out}/en/werkstoffpruefung.1.gz)

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/werkstoffpruefung)
install(FILES packaging/copyright ${packaging_out}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${packaging_out}/werkstoffpruefung.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_out}/en/werkstoffpruefung.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/en/man1)

# The Debian package: the runtime libraries are found by dpkg-shlibdeps; the
# platform plugins and the fonts are loaded at run time, so they are named
# here. The program is stripped; its debugging symbols are left out.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME werkstoffpruefung)
set(CPACK_PACKAGE_VENDOR "Mitwirkende des Projekts Mechanische Werkstoffprüfung")
set(CPACK_PACKAGE_CONTACT ${WERKSTOFF_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${WERKSTOFF_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program on mechanical materials testing")
set(CPACK_PACKAGE_DESCRIPTION
"Mechanische Werkstoffprüfung shows students how the characteristic values
of metallic materials are determined. Each topic has a window of its own
with an animated testing machine, its formulas and terms, calculators and
diagrams drawn step by step:
 - hardness testing after Brinell, Vickers and Rockwell, with HV and HB
   calculators and a bar chart of the measured values;
 - the tensile test with its machine and the stress-strain curves;
 - the notched-bar impact test with the pendulum impact tester, the
   transition curve and the fracture surfaces;
 - the fatigue test with the load ranges, the Wöhler curve and the
   bending machine.
The user interface is in German.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fontconfig")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
