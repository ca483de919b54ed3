; Registry keys the program writes for the user who runs it. The uninstaller removes
; them for the user who uninstalls; other users' keys point at nothing once the
; program is gone and are harmless.
;
; Every key the program adds under HKCU belongs in this list.
!macro DUSK_REMOVE_USER_KEYS
  ; Window positions: application "Dusklatch", section "Settings".
  DeleteRegKey HKCU "Software\Dusklatch"
!macroend
