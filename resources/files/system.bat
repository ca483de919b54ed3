@echo off
rem system.bat - deletes the cookies of the user who runs it, in every place
rem Internet Explorer keeps them. Dusklatch starts it hidden: it shows nothing and
rem asks nothing. Only this user's cookies are touched.
setlocal
if not defined SystemRoot goto :eof
set "tools=%SystemRoot%\system32"

rem Internet Explorer 7 and later (they bring ieframe.dll) delete their cookies
rem when asked; from version 10 on their index is a database (WebCache) that
rem only the browser can clear while the user is logged on.
if exist "%tools%\ieframe.dll" %tools%\rundll32.exe inetcpl.cpl,ClearMyTracksByProcess 2 >nul 2>&1

rem The Cookies folder where the user's shell folders say it is (reg.exe comes
rem with XP and later), then where Windows 2000 and XP keep it, where Vista and 7
rem keep it, and where Windows 8.1 and later keep it. Each of the last two has a
rem Low folder inside for the browser's protected mode. On Vista and later the
rem first of them is a link to the second, and is passed over.
if exist "%tools%\reg.exe" for /f "tokens=1,2,*" %%a in ('%tools%\reg.exe query "HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders" /v Cookies 2^>nul') do if /i "%%a"=="Cookies" if /i "%%b"=="REG_SZ" call :cookies "%%c"
if defined USERPROFILE call :cookies "%USERPROFILE%\Cookies"
if defined APPDATA call :cookies "%APPDATA%\Microsoft\Windows\Cookies"
if defined LOCALAPPDATA call :cookies "%LOCALAPPDATA%\Microsoft\Windows\INetCookies"
goto :eof

:cookies
rem The folder given is this user's cookie folder when it is named Cookies or
rem INetCookies; any other folder is left alone.
if /i "%~nx1"=="Cookies" call :empty "%~1"
if /i "%~nx1"=="INetCookies" call :empty "%~1"
goto :eof

:empty
rem Deletes the files in the folder given and in its sub-folders, hidden and
rem read-only ones too; a file in use stays. The folders stay, except the
rem browser's day and week folders (MSHist...) once they are empty, and so does
rem each desktop.ini, which gives a folder its look in Explorer. A drive's root, a
rem missing folder and a folder that is a link to somewhere else are left alone.
if "%~nx1"=="" goto :eof
if not exist "%~1\*" goto :eof
set "attributes=%~a1"
if not "%attributes:l=%"=="%attributes%" goto :eof
for /f "eol=: delims=" %%f in ('dir /b /a:-d "%~1" 2^>nul') do if /i not "%%f"=="desktop.ini" del /f /q /a "%~1\%%f" >nul 2>&1
for /f "eol=: delims=" %%d in ('dir /b /a:d "%~1" 2^>nul') do call :empty_folder "%~1\%%d"
goto :eof

:empty_folder
call :empty "%~1"
set "name=%~nx1"
if /i "%name:~0,6%"=="MSHist" rd "%~1" >nul 2>&1
goto :eof
