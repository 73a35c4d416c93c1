# The button bitmaps the ribbon looks up in the program's own resources (drawn by
# resources/make_glyphs.py): the help button, the expand/collapse glyphs and the MDI child buttons
# on glass.
function(uikit_add_ribbon_glyphs target)
  set(folder ${PROJECT_SOURCE_DIR}/uikit/ribbon/resources)
  set(args BITMAP)
  foreach(name ATBHELP_BTN ATBHELP_BTN2 ATBHELPHD_BTN ATBECCLOSE ATBECMIN ATBECMAX)
    list(APPEND args ${name}=${folder}/${name}.bmp)
  endforeach()
  foreach(glyph UP DOWN NCH)
    foreach(suffix "" F HD)
      list(APPEND args ATBEC${glyph}${suffix}_BTN=${folder}/ATBEC${glyph}${suffix}_BTN.bmp)
    endforeach()
  endforeach()
  tavin_add_resources(${target} ${args})
endfunction()
