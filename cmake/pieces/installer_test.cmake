# installer_test.dll: a DLL that Explorer seems to hold, for the installer's end-to-end
# test (tests/e2e/installer.sh). Not shipped.
if(WIN32 AND DUSK_TESTS)
  add_library(installer_test SHARED tests/e2e/installer_test_dll.c)
  set_target_properties(installer_test PROPERTIES PREFIX "")
  target_link_options(installer_test PRIVATE -Wl,--kill-at)  # "Hold", as rundll32 asks for it
endif()
