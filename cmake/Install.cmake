# What `cmake --install` puts where. The game looks for its shipped data in
# ../share/deedwell beside the folder of its executable (src/app/main.cpp and
# src/ui/DataRoot.h), so the two destinations below stay fixed whatever the
# prefix; on first start the game copies that data into the player's own data
# folder and works there, since an installed game cannot write beside itself.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION share/deedwell
        PATTERN CMakeLists.txt EXCLUDE)
if(DEEDWELL_BUILD_UI)
  install(TARGETS deedwell RUNTIME DESTINATION bin)
  install(FILES ${CMAKE_SOURCE_DIR}/dist/deedwell.desktop DESTINATION share/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/data/pictures/icon.png
          DESTINATION share/icons/hicolor/256x256/apps RENAME deedwell.png)
endif()
