@echo off
rem kie.bat - closes Internet Explorer for the user who runs it, so that the
rem browser lets go of its history, cookie and temporary files before they are
rem deleted. Dusklatch starts it hidden: it shows nothing and asks nothing.
setlocal
if not defined SystemRoot goto :eof
set "tools=%SystemRoot%\system32"

rem taskkill comes with Windows XP Professional and later.
if exist "%tools%\taskkill.exe" goto taskkill
rem Windows XP Home Edition has tskill instead, which ends the program in this
rem user's own session only. Windows 2000 has neither: the browser stays open.
if exist "%tools%\tskill.exe" %tools%\tskill.exe iexplore >nul 2>&1
goto :eof

:taskkill
rem Other users may have the browser open as well (fast user switching): only this
rem user's copies are ended, wherever taskkill can choose processes by user.
%tools%\taskkill.exe /? 2>nul | %tools%\find.exe "USERNAME" >nul 2>&1
if errorlevel 1 (
  %tools%\taskkill.exe /f /im iexplore.exe >nul 2>&1
) else (
  %tools%\taskkill.exe /f /fi "USERNAME eq %USERNAME%" /im iexplore.exe >nul 2>&1
)
