# Copies the shipped files beside the executable and links the encoder.
# Preferences.ini is copied only when missing, so a user's settings survive a rebuild.
if(NOT EXISTS ${TARGET}/Preferences.ini)
  file(COPY ${SOURCE}/Preferences.ini DESTINATION ${TARGET})
endif()
file(GLOB help_files ${SOURCE}/*.html)
foreach(help ${help_files})
  file(COPY ${help} DESTINATION ${TARGET})
endforeach()
file(CREATE_LINK ${FFMPEG} ${TARGET}/durodu.dll SYMBOLIC)
