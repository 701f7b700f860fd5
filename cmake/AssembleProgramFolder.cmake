# Fills the program folder from the data template. The help pages and the report logo belong
# to the program and are refreshed on every build; the inventory, categories and jobs are the
# user's data: they are copied only when missing, so a rebuild never undoes the user's work.
file(GLOB_RECURSE template_files RELATIVE ${DATA_DIR} ${DATA_DIR}/*)
foreach(relative ${template_files})
  get_filename_component(name ${relative} NAME)
  if(name STREQUAL ".gitkeep")
    get_filename_component(folder ${relative} DIRECTORY)
    file(MAKE_DIRECTORY ${PROGRAM_DIR}/${folder})
    continue()
  endif()
  set(target ${PROGRAM_DIR}/${relative})
  if(relative MATCHES "^help/" OR relative STREQUAL "report/logo.png" OR NOT EXISTS ${target})
    get_filename_component(folder ${target} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(COPY_FILE ${DATA_DIR}/${relative} ${target} ONLY_IF_DIFFERENT)
  endif()
endforeach()
