# Script mode (cmake -P): writes the help project into OUT: every page of SRC/pages as a whole HTML
# page (the head every page shares, its title taken from the page's first line "<h1>Title</h1>"), and
# the project, contents, index and stylesheet as they are.
#   cmake -DSRC=<help folder> -DOUT=<work folder> -P HelpPages.cmake
file(MAKE_DIRECTORY ${OUT})
foreach(f velgaro.hhp velgaro.hhc velgaro.hhk style.css)
  configure_file(${SRC}/${f} ${OUT}/${f} COPYONLY)
endforeach()
file(GLOB pages ${SRC}/pages/*.htm)
foreach(page ${pages})
  get_filename_component(name ${page} NAME)
  file(READ ${page} body)
  if(NOT body MATCHES "^<h1>([^<]+)</h1>")
    message(FATAL_ERROR "${page} does not start with <h1>Title</h1>")
  endif()
  set(title ${CMAKE_MATCH_1})
  file(WRITE ${OUT}/${name}.new
"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" \"http://www.w3.org/TR/html4/strict.dtd\">
<html lang=\"en\">
<head>
<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">
<title>${title}</title>
<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">
</head>
<body>
${body}</body>
</html>
")
  # Rewritten only when it changed, so that an unchanged page does not look new to the compiler.
  configure_file(${OUT}/${name}.new ${OUT}/${name} COPYONLY)
  file(REMOVE ${OUT}/${name}.new)
endforeach()
