// Control ids of the password page, the prompt "validate" and the change-password
// window "chpass". The page's ids are unique among all the main window's controls.
#pragma once

namespace dusk {

// Password page (Picture6).
inline constexpr int kCheck24 = 7001;         // "Enable password protection"
inline constexpr int kLabel48 = 7002;         // its caption
inline constexpr int kFrame6 = 7003;          // "Enter the Password"
inline constexpr int kPageText11 = 7004;      // the password, masked, never editable
inline constexpr int kPageLabel29 = 7005;     // "Password"
inline constexpr int kLabel59 = 7006;         // the default password's note
inline constexpr int kLabel53 = 7007;         // how to change it
inline constexpr int kPageLabel31 = 7008;     // the length note
inline constexpr int kChangePassword = 7009;  // CandyButton8
inline constexpr int kSaveSettings = 7010;    // CandyButton29
inline constexpr int kSavePassword = 7011;    // CandyButton7, hidden
inline constexpr int kPageText12 = 7012;      // hidden twin of Text11
inline constexpr int kPageLabelRetype = 7013; // its hidden caption

// validate
inline constexpr int kPromptLabel1 = 7101;   // "Passwod is Required to continue"
inline constexpr int kPromptLabel29 = 7102;  // "Enter  password"
inline constexpr int kPromptText11 = 7103;   // the typed password
inline constexpr int kPromptOk = 7104;       // CandyButton1
inline constexpr int kPromptCancel = 7105;   // CandyButton2
inline constexpr int kPromptText2 = 7106;    // hidden: the pending command's word

// chpass
inline constexpr int kChangeText1 = 7201;    // "Old Password"
inline constexpr int kChangeLabelOld = 7202;
inline constexpr int kChangeText11 = 7203;   // "New Password"
inline constexpr int kChangeLabelNew = 7204;
inline constexpr int kChangeText12 = 7205;   // "Retype Password"
inline constexpr int kChangeLabelRetype = 7206;
inline constexpr int kChangeLabel31 = 7207;  // the length note
inline constexpr int kChangeOk = 7208;       // CandyButton1
inline constexpr int kChangeCancel = 7209;   // CandyButton2

}  // namespace dusk
