# SPDX-License-Identifier: GPL-3.0-or-later
# Qt Linguist catalogs: one per module (kinfold, markwheel, dialwake, kestrum with the platform
# library), one .ts file per shipped language in the module's translations folder. The .qm files
# go to share/<dist>/translations below the build folder, where the programs find them as they
# find them below the installed prefix. `cmake --build . --target update_translations` runs lupdate
# over the sources; the build runs lrelease.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(KQ_TRANSLATIONS_SUBDIR "${CMAKE_INSTALL_DATADIR}/${KQ_DIST_NAME}/translations")
set(KQ_TRANSLATIONS_BUILD_DIR "${PROJECT_BINARY_DIR}/${KQ_TRANSLATIONS_SUBDIR}")

# Named one by one: Qt 6.4 finds no .ts file by itself.
set(KQ_LANGUAGES de fr nl sv it el es pt pl da fi nb cs ja)

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
  foreach(language ${KQ_LANGUAGES})
    list(APPEND ts_files "${CMAKE_CURRENT_SOURCE_DIR}/translations/${catalog}_${language}.ts")
  endforeach()
  set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION "${KQ_TRANSLATIONS_BUILD_DIR}")
  qt_add_translations(${target} TS_FILES ${ts_files} SOURCES ${sources}
    LUPDATE_OPTIONS -no-obsolete -locations none
    LRELEASE_OPTIONS -silent
    QM_FILES_OUTPUT_VARIABLE qm_files)
  install(FILES ${qm_files} DESTINATION "${KQ_TRANSLATIONS_SUBDIR}" COMPONENT ${component})
  set_property(GLOBAL APPEND PROPERTY KQ_TS_FILES ${ts_files})
endfunction()
