# SPDX-License-Identifier: GPL-3.0-or-later
# Qt Linguist catalogs: one per module (kinfold, markwheel, dialwake, kestrum with the platform
# library), one .ts file per shipped language in the module's translations folder. The .qm files
# go to share/<dist>/translations below the build folder, where the programs find them as they
# find them below the installed prefix. `cmake --build . --target update_translations` runs lupdate
# over the sources; the build runs lrelease.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(KQ_TRANSLATIONS_SUBDIR "${CMAKE_INSTALL_DATADIR}/${KQ_DIST_NAME}/translations")
set(KQ_TRANSLATIONS_BUILD_DIR "${PROJECT_BINARY_DIR}/${KQ_TRANSLATIONS_SUBDIR}")

# Named one by one: Qt 6.4 finds no .ts file by itself. lupdate keeps a .ts file of every language
# up to date; a language ships (its .qm files are built, installed and checked) once every text of
# every catalog is translated: add it to KQ_SHIPPED_LANGUAGES then.
set(KQ_LANGUAGES de fr nl sv it el es pt pl da fi nb cs ja)
set(KQ_SHIPPED_LANGUAGES de pl cs fi el ja fr es it pt nl sv da nb)

# kq_add_translations(target catalog component SOURCE_DIRS dir...)
function(kq_add_translations target catalog component)
  cmake_parse_arguments(T "" "" "SOURCE_DIRS" ${ARGN})
  set(sources)
  foreach(dir ${T_SOURCE_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    list(FILTER found EXCLUDE REGEX "/(tests|bench)/")
    list(APPEND sources ${found})
  endforeach()
  set(ts_files)
  set(shipped)
  foreach(language ${KQ_LANGUAGES})
    set(ts "${CMAKE_CURRENT_SOURCE_DIR}/translations/${catalog}_${language}.ts")
    list(APPEND ts_files "${ts}")
    if(language IN_LIST KQ_SHIPPED_LANGUAGES)
      list(APPEND shipped "${ts}")
    endif()
  endforeach()
  set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION "${KQ_TRANSLATIONS_BUILD_DIR}")
  qt_add_lupdate(${target} TS_FILES ${ts_files} SOURCES ${sources} OPTIONS -no-obsolete -locations none)
  qt_add_lrelease(${target} TS_FILES ${shipped} QM_FILES_OUTPUT_VARIABLE qm_files OPTIONS -silent)
  install(FILES ${qm_files} DESTINATION "${KQ_TRANSLATIONS_SUBDIR}" COMPONENT ${component})
  set_property(GLOBAL APPEND PROPERTY KQ_SHIPPED_TS_FILES ${shipped})
  if(BUILD_TESTING)
    # Every text marked in the sources is in every shipped file: lupdate ran after the marking.
    # lupdate reads the sources as the update_translations target does, from qt_add_lupdate's project.
    add_test(NAME translations_current_${catalog}
      COMMAND python3 "${PROJECT_SOURCE_DIR}/tools/check-translations.py" --current "${CMAKE_COMMAND}"
              $<TARGET_FILE:Qt6::lupdate> "${CMAKE_CURRENT_BINARY_DIR}/.lupdate/${target}_project.cmake"
              "${Qt6LinguistTools_DIR}/GenerateLUpdateProject.cmake" -- ${shipped})
  endif()
endfunction()

# After every catalog: the check that each shipped translation is complete and keeps the
# placeholders of its source texts.
function(kq_add_translation_check)
  if(NOT BUILD_TESTING)
    return()
  endif()
  get_property(shipped GLOBAL PROPERTY KQ_SHIPPED_TS_FILES)
  add_test(NAME translations_complete
    COMMAND python3 "${PROJECT_SOURCE_DIR}/tools/check-translations.py" ${shipped})
  add_test(NAME translations_complete_self_test
    COMMAND python3 "${PROJECT_SOURCE_DIR}/tools/check-translations.py" --self-test)
endfunction()
