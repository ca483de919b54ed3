// Control ids of the schedule windows (the end-to-end driver finds controls by id).
#pragma once

namespace dusk {

// The editor window "Schedule".
inline constexpr int kScheduleCmbAction = 2001;
inline constexpr int kScheduleOption1 = 2002;  // "Date"
inline constexpr int kScheduleOption2 = 2003;  // "Everyday"
inline constexpr int kScheduleOption3 = 2004;  // "Every"
inline constexpr int kScheduleLabel3 = 2005;
inline constexpr int kScheduleLabel4 = 2006;
inline constexpr int kScheduleLabel5 = 2007;
inline constexpr int kScheduleCal1 = 2008;
inline constexpr int kScheduleHourcom = 2009;
inline constexpr int kScheduleMincom = 2010;
inline constexpr int kScheduleAmcom = 2011;
inline constexpr int kScheduleCombo2 = 2012;  // daily hour
inline constexpr int kScheduleCombo3 = 2013;  // daily minute
inline constexpr int kScheduleCombo4 = 2014;  // daily AM/PM
inline constexpr int kScheduleCombo1 = 2015;  // weekday
inline constexpr int kScheduleCombo5 = 2016;  // weekday hour
inline constexpr int kScheduleCombo6 = 2017;  // weekday minute
inline constexpr int kScheduleCombo7 = 2018;  // weekday AM/PM
inline constexpr int kScheduleClock = 2019;   // "Label": the current time
inline constexpr int kScheduleLabel2 = 2020;  // "Time"
inline constexpr int kScheduleSave = 2021;    // isButton1
inline constexpr int kScheduleCancel = 2022;  // isButton2
inline constexpr int kScheduleText1 = 2023;   // hidden: the picked date

// The schedule page on the main window.
inline constexpr int kScheduleListView1 = 2101;
inline constexpr int kScheduleAdd = 2102;        // CandyButton11
inline constexpr int kScheduleDelete = 2103;     // CandyButton13
inline constexpr int kScheduleDeleteAll = 2104;  // CandyButton14

// The confirmation window "frmRestart".
inline constexpr int kRestartLbl1 = 2201;
inline constexpr int kRestartBar1 = 2202;
inline constexpr int kRestartUpb1 = 2203;
inline constexpr int kRestartAction = 2204;  // cmdShutdown
inline constexpr int kRestartCancel = 2205;  // cmdCancel
inline constexpr int kRestartText1 = 2206;   // hidden: the action word

}  // namespace dusk
