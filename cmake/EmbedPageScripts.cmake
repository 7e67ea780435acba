# Compiles the page scripts of a folder into a library as raw string literals,
# looked up by file name through EmbeddedPageScript (app/core/page). Editing,
# adding or removing a script re-runs the configure step.
function(kt_embed_page_scripts target script_dir)
  file(GLOB scripts CONFIGURE_DEPENDS ${script_dir}/*.js)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${scripts})
  set(text "// Generated from app/ui/*.js.\n#include \"app/core/page/EmbeddedPageScripts.h\"\n\n")
  string(APPEND text "namespace trelio {\n\nstd::string_view EmbeddedPageScript(std::string_view fileName) {\n")
  foreach(js ${scripts})
    get_filename_component(js_name ${js} NAME)
    file(READ ${js} js_text)
    if(js_text MATCHES "\\)kt_js\"")
      message(FATAL_ERROR "${js} holds the raw string delimiter )kt_js\"")
    endif()
    string(APPEND text "  if (fileName == \"${js_name}\") return R\"kt_js(${js_text})kt_js\";\n")
  endforeach()
  string(APPEND text "  return {};\n}\n\n}  // namespace trelio\n")
  # Written through configure_file so an unchanged text keeps its time stamp
  # and nothing is recompiled.
  set(out ${PROJECT_BINARY_DIR}/generated/EmbeddedPageScripts.cpp)
  file(WRITE ${out}.new "${text}")
  configure_file(${out}.new ${out} COPYONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()
