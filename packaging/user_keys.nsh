; Registry keys the program writes for the user who runs it. The uninstaller removes
; them for the user who uninstalls; other users' keys point at nothing once the
; program is gone and are harmless.
;
; Every key the program adds under HKCU belongs in this list.

!define DUSK_MENU_CLASS "{9A87D8EF-337F-4226-AF23-0399C02C9132}"

; A key the program may have made on the way to its own: removed only while it holds
; neither keys nor values (its default value included).
!macro DUSK_DELETE_KEY_IF_EMPTY KEY
  EnumRegKey $R7 HKCU "${KEY}" 0
  EnumRegValue $R8 HKCU "${KEY}" 0
  ClearErrors
  ReadRegStr $R9 HKCU "${KEY}" ""
  ${If} ${Errors}  ; no default value
  ${AndIf} $R7 == ""
  ${AndIf} $R8 == ""
    DeleteRegKey HKCU "${KEY}"
  ${EndIf}
!macroend

; The file manager's menu: the program registers it while it runs and takes it away
; when it ends; a program that was stopped leaves it behind.
!macro DUSK_REMOVE_MENU_HANDLER PLACE
  DeleteRegKey HKCU "Software\Classes\${PLACE}\shellex\ContextMenuHandlers\Dusklatch"
  !insertmacro DUSK_DELETE_KEY_IF_EMPTY "Software\Classes\${PLACE}\shellex\ContextMenuHandlers"
  !insertmacro DUSK_DELETE_KEY_IF_EMPTY "Software\Classes\${PLACE}\shellex"
!macroend
!macro DUSK_REMOVE_MENU_KEYS
  DeleteRegKey HKCU "Software\Classes\CLSID\${DUSK_MENU_CLASS}"
  !insertmacro DUSK_DELETE_KEY_IF_EMPTY "Software\Classes\CLSID"
  !insertmacro DUSK_REMOVE_MENU_HANDLER "*"
  !insertmacro DUSK_REMOVE_MENU_HANDLER "Directory\Background"
  !insertmacro DUSK_DELETE_KEY_IF_EMPTY "Software\Classes\Directory\Background"
  !insertmacro DUSK_REMOVE_MENU_HANDLER "Directory"
  !insertmacro DUSK_REMOVE_MENU_HANDLER "Drive"
  !insertmacro DUSK_DELETE_KEY_IF_EMPTY "Software\Classes\*"
  !insertmacro DUSK_DELETE_KEY_IF_EMPTY "Software\Classes\Directory"
  !insertmacro DUSK_DELETE_KEY_IF_EMPTY "Software\Classes\Drive"
!macroend

!macro DUSK_REMOVE_USER_KEYS
  ; Window positions: application "Dusklatch", section "Settings".
  DeleteRegKey HKCU "Software\Dusklatch"
  ; 32- and 64-bit programs see their own class registrations on 64-bit Windows.
  !insertmacro DUSK_REMOVE_MENU_KEYS
  ${If} ${RunningX64}
    SetRegView 64
    !insertmacro DUSK_REMOVE_MENU_KEYS
    SetRegView lastused
  ${EndIf}
!macroend
