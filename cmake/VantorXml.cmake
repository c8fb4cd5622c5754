# The table files in XML/ (and the help scripts, pages and manuals folder) travel with every program: vantor_ship_xml(target)
# copies the folder next to the target's executable whenever a file in it
# changes. Programs, test binaries and benchmarks all call it.
#
# Executables built in one folder share one copy: a second copy into the same
# folder, run in parallel with the first, would race with it.
set(VANTOR_XML_DIR ${CMAKE_SOURCE_DIR}/XML)
file(GLOB VANTOR_XML_FILES CONFIGURE_DEPENDS ${VANTOR_XML_DIR}/*)
# The help scripts travel the same way, in Scripts/, with the help pages
# they open (Help/) and the folder of the instrument manuals (Manuals/).
set(VANTOR_SCRIPTS_DIR ${CMAKE_SOURCE_DIR}/Scripts)
set(VANTOR_HELP_DIR ${CMAKE_SOURCE_DIR}/Help)
set(VANTOR_MANUALS_DIR ${CMAKE_SOURCE_DIR}/Manuals)
file(GLOB VANTOR_SCRIPT_FILES CONFIGURE_DEPENDS ${VANTOR_SCRIPTS_DIR}/* ${VANTOR_HELP_DIR}/*
     ${VANTOR_MANUALS_DIR}/*)

function(vantor_ship_xml target)
  string(MD5 folder_key "${CMAKE_CURRENT_BINARY_DIR}")
  get_property(shipper GLOBAL PROPERTY VANTOR_XML_SHIPPER_${folder_key})
  if(shipper)
    add_dependencies(${target} ${shipper})
    return()
  endif()
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_xml.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VANTOR_XML_DIR} $<TARGET_FILE_DIR:${target}>/XML
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VANTOR_SCRIPTS_DIR} $<TARGET_FILE_DIR:${target}>/Scripts
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VANTOR_HELP_DIR} $<TARGET_FILE_DIR:${target}>/Help
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VANTOR_MANUALS_DIR} $<TARGET_FILE_DIR:${target}>/Manuals
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${VANTOR_XML_FILES} ${VANTOR_SCRIPT_FILES}
    COMMENT "Copying the table files next to ${target}")
  add_custom_target(${target}_xml DEPENDS ${stamp})
  add_dependencies(${target} ${target}_xml)
  set_property(GLOBAL PROPERTY VANTOR_XML_SHIPPER_${folder_key} ${target}_xml)
endfunction()
