# Installs the icon NAME into the hicolor theme: NAME.svg as the scalable one, NAME-SIZE.png at
# each size that desktops ask for, all from DIR (drawn by src/app/res/icons/draw-images.py).
include_guard(GLOBAL)
include(GNUInstallDirs)

function(netloom_install_icon name dir)
  # Inside the function: the guard above keeps a second directory from setting anything here.
  set(sizes 16 24 32 48 64 128 256)
  set(theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${dir}/${name}.svg DESTINATION ${theme}/scalable/apps)
  foreach(size IN LISTS sizes)
    install(FILES ${dir}/${name}-${size}.png DESTINATION ${theme}/${size}x${size}/apps
            RENAME ${name}.png)
  endforeach()
endfunction()
