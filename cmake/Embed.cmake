# embed_files(<target> <symbol> <files...>)
# Adds a generated source to <target> that holds the files' bytes as one table:
#   const metallo::EmbeddedFile* <symbol>_find(std::string_view name);
# keyed by file name (without directory).
function(embed_files target symbol)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${symbol}_embedded.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND embedgen ${out} ${symbol} ${ARGN}
    DEPENDS embedgen ${ARGN}
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
