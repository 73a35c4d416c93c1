# The glyph bitmaps the menus look up in the program's own resources (drawn by
# resources/make_glyphs.py): the sub-menu arrow, the check mark and the radio dot in three sizes.
function(uikit_add_menu_glyphs target)
  set(folder ${PROJECT_SOURCE_DIR}/uikit/menus/resources)
  set(args BITMAP)
  foreach(base ADVSUBMENUITEM ADVCHECKITEM ADVRADIOITEM)
    foreach(suffix "" x15 x20)
      list(APPEND args ${base}${suffix}=${folder}/${base}${suffix}.bmp)
    endforeach()
  endforeach()
  tavin_add_resources(${target} ${args})
endfunction()
