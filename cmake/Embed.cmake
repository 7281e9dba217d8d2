# embed_files(<target> <symbol> <files...>)
# Adds a generated source to <target> that holds the files' bytes as one table:
#   const metallo::EmbeddedFile* <symbol>_find(std::string_view name);
# keyed by file name (without directory).
# In a cross build embedgen is the host tool built by tools/embedgen; for WebAssembly it
# writes the assembler of that object format (--wasm).
function(embed_files target symbol)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${symbol}_embedded.cpp)
  if(CMAKE_CROSSCOMPILING)
    set(format "")
    if(EMSCRIPTEN)
      set(format --wasm)
    endif()
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${METALLO_HOST_EMBEDGEN} ${format} ${out} ${symbol} ${ARGN}
      DEPENDS embedgen_host ${METALLO_HOST_EMBEDGEN} ${ARGN}
      COMMENT "Embedding ${symbol}"
      VERBATIM)
  else()
    add_custom_command(
      OUTPUT ${out}
      COMMAND embedgen ${out} ${symbol} ${ARGN}
      DEPENDS embedgen ${ARGN}
      COMMENT "Embedding ${symbol}"
      VERBATIM)
  endif()
  target_sources(${target} PRIVATE ${out})
endfunction()
