# Copies every file of SRC into DST that DST does not have yet; never overwrites.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f ${files})
  if(NOT EXISTS ${DST}/${f})
    get_filename_component(d ${DST}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${d})
    file(COPY ${SRC}/${f} DESTINATION ${d})
  endif()
endforeach()
