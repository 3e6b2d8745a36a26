# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout under the prefix, one component per Debian package:
#   kestrum    the private shared libraries (platform, kestrum) and TimeZones.txt
#   kinfold, markwheel, dialwake    a program with its desktop entry, icon, MIME type, AppStream
#              data and manual page
# Each package also carries its copyright file and changelog in share/doc/<package>.

set(KQ_MAINTAINER "Quorvanth Software <packages@quorvanth.example>")
# The libraries are the programs' own, so they live in a folder of their own that the
# programs' RUNPATH names, not on the linker's search path.
set(KQ_PRIVATE_LIBDIR "${CMAKE_INSTALL_LIBDIR}/${KQ_DIST_NAME}")
set(KQ_PRIVATE_RPATH "${CMAKE_INSTALL_FULL_LIBDIR}/${KQ_DIST_NAME}")
set(KQ_PROGRAMS kinfold markwheel)
if(TARGET dialwake)
  list(APPEND KQ_PROGRAMS dialwake)
endif()

set_target_properties(kestrum ${KQ_PROGRAMS} PROPERTIES INSTALL_RPATH "${KQ_PRIVATE_RPATH}")
install(TARGETS platform kestrum LIBRARY DESTINATION "${KQ_PRIVATE_LIBDIR}" COMPONENT kestrum)
install(FILES kestrum/timezone/TimeZones.txt DESTINATION "${CMAKE_INSTALL_DATADIR}/kestrum" COMPONENT kestrum)

# Generated once per configure: the release's changelog entry and the copyright file.
execute_process(COMMAND date -u -R -d "${KQ_RELEASE_DATE}" OUTPUT_VARIABLE KQ_RELEASE_DATE_RFC
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(KQ_DOC_DIR "${PROJECT_BINARY_DIR}/packaging")
file(MAKE_DIRECTORY "${KQ_DOC_DIR}/man")
configure_file(packaging/changelog.in "${KQ_DOC_DIR}/changelog" @ONLY)
configure_file(packaging/copyright.in "${KQ_DOC_DIR}/copyright" @ONLY)

# Debian wants changelogs and manual pages compressed, without a time stamp in the header.
find_program(KQ_GZIP gzip REQUIRED)
set(_gzipped)
function(kq_gzip source output)
  get_filename_component(_plain "${output}" NAME_WLE)
  get_filename_component(_dir "${output}" DIRECTORY)
  # Compressed to the side: gzip must not remove a source that only a new configure makes again.
  add_custom_command(OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${_dir}/gz"
    COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${_dir}/gz/${_plain}"
    COMMAND "${KQ_GZIP}" -9nf "${_dir}/gz/${_plain}"
    COMMAND ${CMAKE_COMMAND} -E rename "${_dir}/gz/${_plain}.gz" "${output}"
    DEPENDS "${source}" VERBATIM)
  set(_gzipped ${_gzipped} "${output}" PARENT_SCOPE)
endfunction()
kq_gzip("${KQ_DOC_DIR}/changelog" "${KQ_DOC_DIR}/changelog.gz")

function(kq_install_docs package)
  install(FILES "${KQ_DOC_DIR}/copyright" "${KQ_DOC_DIR}/changelog.gz"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${package}" COMPONENT ${package})
endfunction()
kq_install_docs(kestrum)

# kq_install_program(program folder AppStreamId): the files of one program's package, from
# <folder>/<program>.desktop, .svg, .1, -mime.xml (when there is one) and <AppStreamId>.metainfo.xml.in;
# the manual page and the AppStream data get the version filled in.
function(kq_install_program program folder appid)
  set(dir "${PROJECT_SOURCE_DIR}/${folder}")
  install(TARGETS ${program} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT ${program})
  install(FILES "${dir}/${program}.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications"
    COMPONENT ${program})
  install(FILES "${dir}/${program}.svg" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
    COMPONENT ${program})
  if(EXISTS "${dir}/${program}-mime.xml")
    install(FILES "${dir}/${program}-mime.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages"
      RENAME ${program}.xml COMPONENT ${program})
  endif()
  configure_file("${dir}/${appid}.metainfo.xml.in" "${KQ_DOC_DIR}/${appid}.metainfo.xml" @ONLY)
  install(FILES "${KQ_DOC_DIR}/${appid}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo"
    COMPONENT ${program})
  configure_file("${dir}/${program}.1" "${KQ_DOC_DIR}/${program}.1" @ONLY)
  kq_gzip("${KQ_DOC_DIR}/${program}.1" "${KQ_DOC_DIR}/man/${program}.1.gz")
  set(_gzipped ${_gzipped} PARENT_SCOPE)
  install(FILES "${KQ_DOC_DIR}/man/${program}.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1"
    COMPONENT ${program})
  kq_install_docs(${program})
  if(BUILD_TESTING)
    # The manual page lists exactly the options that --help lists.
    add_test(NAME manpage_options_${program}
      COMMAND bash "${PROJECT_SOURCE_DIR}/tools/check-man-options.sh" $<TARGET_FILE:${program}> "${dir}/${program}.1")
    set_tests_properties(manpage_options_${program} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)
  endif()
endfunction()
kq_install_program(kinfold kinfold/app/desktop com.quorvanth.Kinfold)
# Reminders come by themselves: at login from the autostart entry, and every hour (catching up
# after the computer was off) from a user timer that the package enables for every user.
set(KQ_KINFOLD_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}/kinfold")
configure_file(packaging/kinfold-reminders.service.in "${KQ_DOC_DIR}/kinfold-reminders.service" @ONLY)
# /etc/xdg/autostart for the /usr prefix of the packages, <prefix>/etc/xdg/autostart otherwise.
install(FILES packaging/kinfold-reminders.desktop DESTINATION "${CMAKE_INSTALL_FULL_SYSCONFDIR}/xdg/autostart"
  COMPONENT kinfold)
install(FILES "${KQ_DOC_DIR}/kinfold-reminders.service" packaging/kinfold-reminders.timer
  DESTINATION lib/systemd/user COMPONENT kinfold)
# The maintainer scripts enable the timer on install, mask it on remove and forget it on purge.
foreach(_control postinst postrm conffiles)
  configure_file(packaging/kinfold.${_control} "${KQ_DOC_DIR}/kinfold-control/${_control}" COPYONLY)
endforeach()
set(CPACK_DEBIAN_KINFOLD_PACKAGE_CONTROL_EXTRA
  "${KQ_DOC_DIR}/kinfold-control/postinst;${KQ_DOC_DIR}/kinfold-control/postrm;${KQ_DOC_DIR}/kinfold-control/conffiles")
if(BUILD_TESTING)
  add_test(NAME reminder_units COMMAND bash "${PROJECT_SOURCE_DIR}/tools/check-reminder-units.sh"
    "${PROJECT_SOURCE_DIR}" $<TARGET_FILE:kinfold>)
  set_tests_properties(reminder_units PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)
endif()
kq_install_program(markwheel markwheel/desktop com.quorvanth.Markwheel)
if(TARGET dialwake)
  kq_install_program(dialwake dialwake/desktop com.quorvanth.Dialwake)
  # The clocks come back at login (/etc/xdg/autostart for the prefix /usr): a configuration file,
  # which the user's own entry of the same name overrides.
  set(KQ_AUTOSTART_DIR "${CMAKE_INSTALL_FULL_SYSCONFDIR}/xdg/autostart")
  install(FILES dialwake/desktop/dialwake-autostart.desktop DESTINATION "${KQ_AUTOSTART_DIR}"
    RENAME dialwake.desktop COMPONENT dialwake)
  file(WRITE "${KQ_DOC_DIR}/dialwake/conffiles" "${KQ_AUTOSTART_DIR}/dialwake.desktop\n")
  set(CPACK_DEBIAN_DIALWAKE_PACKAGE_CONTROL_EXTRA "${KQ_DOC_DIR}/dialwake/conffiles")
  if(BUILD_TESTING)
    add_test(NAME dialwake_autostart_entry
      COMMAND bash "${PROJECT_SOURCE_DIR}/tools/check-desktop-entry.sh"
        "${PROJECT_SOURCE_DIR}/dialwake/desktop/dialwake-autostart.desktop" dialwake)
  endif()
endif()
add_custom_target(kq_packaging_docs ALL DEPENDS ${_gzipped})
if(BUILD_TESTING)
  add_test(NAME manpage_options_self_test
    COMMAND bash "${PROJECT_SOURCE_DIR}/tools/check-man-options.sh" --self-test)
endif()

# Debian packages: cpack -G DEB in the build folder (package.sh does it all).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME "${KQ_DIST_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Quorvanth Software")
set(CPACK_PACKAGE_CONTACT "${KQ_MAINTAINER}")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL kestrum ${KQ_PROGRAMS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE "${KQ_DIST_NAME}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_KESTRUM_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Dependencies come from the binaries; the private libraries are found in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_LIBRARY_OUTPUT_DIRECTORY}")
# Each program needs the libraries of its own release: "kestrum (= version)".
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
foreach(program ${KQ_PROGRAMS})
  string(TOUPPER ${program} P)
  set(CPACK_DEBIAN_${P}_PACKAGE_NAME ${program})
  set(CPACK_COMPONENT_${P}_DEPENDS kestrum)
endforeach()
set(CPACK_DEBIAN_KESTRUM_PACKAGE_NAME kestrum)
set(CPACK_DEBIAN_KESTRUM_DESCRIPTION "private libraries of Kinfold, Markwheel and Dialwake
The libraries that the programs kinfold, markwheel and dialwake share: a small
desktop framework (documents, settings, message boxes) and Kestrum, with the
floating world-clock windows, their alarms, the time-zone table with its
daylight-saving rules and the helpers the programs use.
It also holds TimeZones.txt, the table of cities and time zones.")
set(CPACK_DEBIAN_KINFOLD_DESCRIPTION "birthday calendar
Kinfold keeps a list of people with their birth, marriage and death dates,
married couples and dated notes, and draws them with holidays into month
calendars of one, six or twelve months a page, on the screen, on the printer
and to PDF files. It offers the Gregorian, Julian and two lunar calendars,
saves its lists as .kfd documents, merges GEDCOM genealogy files and vCard
address books, and exports iCalendar events for phones.")
set(CPACK_DEBIAN_MARKWHEEL_DESCRIPTION "countdown clock
Markwheel counts down to a titled date and time, or up from it once it has
passed, in large letters that fill its window. It can also show the current
date and time or the solar time. Targets are saved as .mkw documents.")
set(CPACK_DEBIAN_DIALWAKE_DESCRIPTION "floating world clocks with alarms
Dialwake puts small always-on-top clocks on the desktop, each showing the time
of a chosen city in one of six faces, with daylight-saving time. A clock can
carry an alarm with a message, and the open clocks come back at the next
start.")
include(CPack)
