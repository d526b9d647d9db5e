# The help file Zudav.chm, built from the HTML Help project in docs/help and put beside Zudav.exe,
# where the bar looks for it (F1 and the "Aide" buttons). The bar runs without it.
#
# Compilers: chmcmd (Free Pascal, Debian package fp-utils) or, with MSVC, hhc.exe from HTML Help
# Workshop. Both write the .chm next to the .hhp, so the project is first copied into the build folder:
# the source tree is never written to.
#
# This file has two roles:
#   - include()d by the top-level CMakeLists.txt: it declares the target zudav_help;
#   - run by that target as "cmake -P help.cmake" with the ZUDAV_HELP_* variables below: it stages the
#     project and compiles it (hhc.exe reports success with exit code 1, which a custom command cannot
#     take as is).

if(CMAKE_SCRIPT_MODE_FILE)
  # Build step. Inputs: ZUDAV_HELP_COMPILER, ZUDAV_HELP_KIND (chmcmd or hhc), ZUDAV_HELP_SOURCE (the
  # project folder), ZUDAV_HELP_STAGE (a scratch folder), ZUDAV_HELP_PROJECT (the .hhp's name),
  # ZUDAV_HELP_COMPILED (the .chm's name as the .hhp gives it), ZUDAV_HELP_OUTPUT (where it goes).
  foreach(variable COMPILER KIND SOURCE STAGE PROJECT COMPILED OUTPUT)
    if(NOT DEFINED ZUDAV_HELP_${variable})
      message(FATAL_ERROR "help.cmake: ZUDAV_HELP_${variable} is not set")
    endif()
  endforeach()

  # A fresh copy each time, so that a page removed from the project does not linger in the help file.
  file(REMOVE_RECURSE "${ZUDAV_HELP_STAGE}")
  file(COPY "${ZUDAV_HELP_SOURCE}/" DESTINATION "${ZUDAV_HELP_STAGE}")

  execute_process(
    COMMAND "${ZUDAV_HELP_COMPILER}" "${ZUDAV_HELP_PROJECT}"
    WORKING_DIRECTORY "${ZUDAV_HELP_STAGE}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)

  if(ZUDAV_HELP_KIND STREQUAL "hhc")
    set(success 1)
  else()
    set(success 0)
  endif()
  set(compiled "${ZUDAV_HELP_STAGE}/${ZUDAV_HELP_COMPILED}")
  if(NOT result STREQUAL success OR NOT EXISTS "${compiled}")
    message(FATAL_ERROR "${ZUDAV_HELP_COMPILER} could not compile ${ZUDAV_HELP_PROJECT} "
                        "(exit code ${result}):\n${output}")
  endif()
  # The compilers' warnings (a missing file, a broken link) are worth seeing; their banners are not.
  string(REGEX MATCHALL "[^\n]*([Ww]arning|[Ee]rror|HHC[0-9]+)[^\n]*" complaints "${output}")
  foreach(line IN LISTS complaints)
    message(STATUS "${line}")
  endforeach()

  get_filename_component(output_dir "${ZUDAV_HELP_OUTPUT}" DIRECTORY)
  file(MAKE_DIRECTORY "${output_dir}")
  file(COPY_FILE "${compiled}" "${ZUDAV_HELP_OUTPUT}")
  return()
endif()

# Configure step.
get_filename_component(zudav_help_source_dir "${CMAKE_CURRENT_LIST_DIR}/../docs/help" ABSOLUTE)
set(zudav_help_project Zudav.hhp)
set(zudav_help_stage_dir "${CMAKE_BINARY_DIR}/zudav_help_project")
get_property(zudav_help_multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
if(zudav_help_multi_config)
  # Zudav.exe goes to a folder per configuration there (Release, Debug...).
  set(zudav_help_output "${CMAKE_BINARY_DIR}/$<CONFIG>/Zudav.chm")
else()
  set(zudav_help_output "${CMAKE_BINARY_DIR}/Zudav.chm")
endif()

if(MSVC)
  set(zudav_help_candidates hhc chmcmd)
else()
  set(zudav_help_candidates chmcmd hhc)
endif()
set(zudav_help_compiler "")
foreach(zudav_help_candidate IN LISTS zudav_help_candidates)
  if(zudav_help_candidate STREQUAL "hhc")
    if(NOT CMAKE_HOST_WIN32)
      continue()
    endif()
    set(zudav_help_program_files_x86 "ProgramFiles(x86)")  # a name that $ENV{} cannot spell directly
    file(TO_CMAKE_PATH "$ENV{${zudav_help_program_files_x86}}" zudav_help_program_files_x86)
    file(TO_CMAKE_PATH "$ENV{ProgramFiles}" zudav_help_program_files)
    find_program(ZUDAV_HHC_EXECUTABLE hhc
      PATHS "${zudav_help_program_files_x86}/HTML Help Workshop" "${zudav_help_program_files}/HTML Help Workshop"
      DOC "HTML Help Workshop's compiler, to build Zudav.chm")
    set(zudav_help_found "${ZUDAV_HHC_EXECUTABLE}")
  else()
    find_program(ZUDAV_CHMCMD_EXECUTABLE chmcmd DOC "Free Pascal's CHM compiler, to build Zudav.chm")
    set(zudav_help_found "${ZUDAV_CHMCMD_EXECUTABLE}")
  endif()
  if(zudav_help_found)
    set(zudav_help_compiler "${zudav_help_found}")
    set(zudav_help_kind "${zudav_help_candidate}")
    break()
  endif()
endforeach()

if(NOT zudav_help_compiler)
  message(WARNING "No CHM compiler (chmcmd, from the Debian package fp-utils, or HTML Help Workshop's "
                  "hhc.exe): Zudav.chm is not built, and the bar will run without its help file.")
  return()
endif()

# The name the compiler gives the .chm is the .hhp's own business; read it rather than repeat it.
file(STRINGS "${zudav_help_source_dir}/${zudav_help_project}" zudav_help_compiled_line
     REGEX "^[ \t]*Compiled file[ \t]*=")
if(NOT zudav_help_compiled_line)
  message(FATAL_ERROR "${zudav_help_project} names no \"Compiled file\"")
endif()
string(REGEX REPLACE "^[^=]*=[ \t]*([^ \t;]+).*$" "\\1" zudav_help_compiled "${zudav_help_compiled_line}")

# Every file of the project: a page added or changed compiles the help again (removing one changes
# the .hhp and the contents as well).
file(GLOB zudav_help_sources CONFIGURE_DEPENDS "${zudav_help_source_dir}/*")

add_custom_command(
  OUTPUT "${zudav_help_output}"
  COMMAND "${CMAKE_COMMAND}"
          "-DZUDAV_HELP_COMPILER=${zudav_help_compiler}"
          "-DZUDAV_HELP_KIND=${zudav_help_kind}"
          "-DZUDAV_HELP_SOURCE=${zudav_help_source_dir}"
          "-DZUDAV_HELP_STAGE=${zudav_help_stage_dir}"
          "-DZUDAV_HELP_PROJECT=${zudav_help_project}"
          "-DZUDAV_HELP_COMPILED=${zudav_help_compiled}"
          "-DZUDAV_HELP_OUTPUT=${zudav_help_output}"
          -P "${CMAKE_CURRENT_LIST_FILE}"
  DEPENDS ${zudav_help_sources} "${CMAKE_CURRENT_LIST_FILE}"
  COMMENT "Compiling the help file Zudav.chm with ${zudav_help_kind}"
  VERBATIM)
add_custom_target(zudav_help ALL DEPENDS "${zudav_help_output}")
