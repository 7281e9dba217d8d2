# Puts the browser version's page together (cmake -P):
#   TEMPLATE  page template with the lines <!--STYLE-->, <!--PAGE--> and
#             <script src="metallographie.js"></script>
#   STYLE     style sheet, inlined at <!--STYLE-->
#   ICON      the program's icon (SVG), inlined at <!--ICON--> as the page's icon
#   PAGE      the page's scripts, separated by "|", inlined in this order at <!--PAGE-->
#   JS        the program's script; its .wasm lies beside it
#   SITE      folder for index.html, metallographie.js, metallographie.wasm
#   SINGLE    the page in one file: the program's script inlined in place of its <script src>,
#             the .wasm gzip-compressed in Ascii85 in <script id="mg-wasm"> before the page's
#             scripts (the page unpacks it with the browser's DecompressionStream)
set(program_tag "<script src=\"metallographie.js\"></script>")

function(read_text var file)
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "missing: ${file}")
  endif()
  file(READ "${file}" text)
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

# A script's text, safe inside <script>…</script>.
function(script_element var file)
  read_text(text "${file}")
  string(REPLACE "</script" "<\\/script" text "${text}")
  set(${var} "<script>\n${text}\n</script>" PARENT_SCOPE)
endfunction()

read_text(template "${TEMPLATE}")
foreach(marker "<!--STYLE-->" "<!--ICON-->" "<!--PAGE-->" "${program_tag}")
  string(FIND "${template}" "${marker}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${TEMPLATE} has no line ${marker}")
  endif()
endforeach()

read_text(style "${STYLE}")

# The icon as a data: address (from <svg on, on one line), so the browser asks the server
# for none and the single file has it too.
read_text(icon "${ICON}")
string(FIND "${icon}" "<svg" at)
string(SUBSTRING "${icon}" ${at} -1 icon)
string(REPLACE "%" "%25" icon "${icon}")
foreach(pair "#;%23" "<;%3C" ">;%3E" "\";%22" "\n; ")
  list(GET pair 0 from)
  list(GET pair 1 to)
  string(REPLACE "${from}" "${to}" icon "${icon}")
endforeach()
string(STRIP "${icon}" icon)
set(icon_link "<link rel=\"icon\" type=\"image/svg+xml\" href=\"data:image/svg+xml,${icon}\">")
string(REPLACE "<!--ICON-->" "${icon_link}" template "${template}")
string(REPLACE "|" ";" page_files "${PAGE}")
set(page "")
foreach(file IN LISTS page_files)
  script_element(one "${file}")
  string(APPEND page "${one}\n")
endforeach()
string(REPLACE "<!--STYLE-->" "<style>\n${style}\n</style>" html "${template}")
string(REPLACE "<!--PAGE-->" "${page}" html "${html}")

get_filename_component(dir "${JS}" DIRECTORY)
get_filename_component(name "${JS}" NAME_WE)
file(MAKE_DIRECTORY "${SITE}")
file(WRITE "${SITE}/index.html.tmp" "${html}")
file(RENAME "${SITE}/index.html.tmp" "${SITE}/index.html")
file(COPY_FILE "${JS}" "${SITE}/metallographie.js")
file(COPY_FILE "${dir}/${name}.wasm" "${SITE}/metallographie.wasm")

# gzip -9 -n: the same bytes for the same program (no name, no time in the header).
set(packed "${SINGLE}.wasm.gz")
execute_process(COMMAND gzip -9 -n -c "${dir}/${name}.wasm" OUTPUT_FILE "${packed}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip ${dir}/${name}.wasm: ${failed}")
endif()
# Ascii85 (a quarter larger, where base64 is a third), with "v" for "<" so that no "</script"
# or "<!--" can appear in the element; "z" stands for four zero bytes.
execute_process(COMMAND python3 -c
                "import base64,sys; sys.stdout.write(base64.a85encode(open(sys.argv[1],'rb').read()).decode().replace('<','v'))"
                "${packed}" OUTPUT_VARIABLE wasm85 RESULT_VARIABLE failed)
file(REMOVE "${packed}")
if(failed)
  message(FATAL_ERROR "Ascii85 ${packed}: ${failed}")
endif()
script_element(program "${JS}")
string(REPLACE "<!--PAGE-->" "<script type=\"application/octet-stream\" id=\"mg-wasm\">${wasm85}</script>\n${page}"
       html "${template}")
string(REPLACE "<!--STYLE-->" "<style>\n${style}\n</style>" html "${html}")
string(REPLACE "${program_tag}" "${program}" html "${html}")
file(WRITE "${SINGLE}.tmp" "${html}")
file(RENAME "${SINGLE}.tmp" "${SINGLE}")
