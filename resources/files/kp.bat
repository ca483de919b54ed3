@echo off
rem kp.bat - closes Paint for the user who runs it, so that it does not write its
rem list of recent pictures back after Dusklatch has cleared it. Dusklatch starts
rem it hidden: it shows nothing and asks nothing itself.
rem Paint is asked to close, as when its window is closed, and never ended by
rem force: a picture with unsaved changes makes Paint ask whether to keep them,
rem and Paint stays open until the user has answered.
setlocal
if not defined SystemRoot goto :eof
set "tools=%SystemRoot%\system32"

rem Only taskkill (Windows XP Professional and later) can ask a program to close.
rem On Windows 2000 and XP Home Edition, whose tskill can only end a program
rem outright, Paint stays open.
if not exist "%tools%\taskkill.exe" goto :eof

rem Other users may have Paint open as well (fast user switching): only this
rem user's copies are asked, wherever taskkill can choose processes by user.
%tools%\taskkill.exe /? 2>nul | %tools%\find.exe "USERNAME" >nul 2>&1
if errorlevel 1 (
  %tools%\taskkill.exe /im mspaint.exe >nul 2>&1
) else (
  %tools%\taskkill.exe /fi "USERNAME eq %USERNAME%" /im mspaint.exe >nul 2>&1
)
