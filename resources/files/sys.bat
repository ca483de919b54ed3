@echo off
rem sys.bat - deletes the browsing history of the user who runs it: what Internet
rem Explorer keeps in the user's History folder, and the addresses typed into its
rem address bar. Dusklatch starts it hidden after kie.bat has closed the browser:
rem it shows nothing and asks nothing. Only this user's history is touched.
setlocal
if not defined SystemRoot goto :eof
set "tools=%SystemRoot%\system32"

rem Internet Explorer 7 and later (they bring ieframe.dll) delete their history
rem when asked; from version 10 on it is kept in a database (WebCache) that only
rem the browser can clear while the user is logged on.
if exist "%tools%\ieframe.dll" %tools%\rundll32.exe inetcpl.cpl,ClearMyTracksByProcess 1 >nul 2>&1

rem The History folder: where the user's shell folders say it is (it may have been
rem moved, and on some systems it is named in their language), then where Windows
rem 2000 and XP, and Vista and later keep it. reg.exe comes with XP and later.
if exist "%tools%\reg.exe" for /f "tokens=1,2,*" %%a in ('%tools%\reg.exe query "HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders" /v History 2^>nul') do if /i "%%a"=="History" if /i "%%b"=="REG_SZ" call :history "%%c"
if defined USERPROFILE call :history "%USERPROFILE%\Local Settings\History"
if defined LOCALAPPDATA call :history "%LOCALAPPDATA%\Microsoft\Windows\History"

rem The addresses typed into the address bar (and, from version 10 on, when).
if not exist "%tools%\reg.exe" goto :eof
%tools%\reg.exe delete "HKCU\Software\Microsoft\Internet Explorer\TypedURLs" /va /f >nul 2>&1
%tools%\reg.exe delete "HKCU\Software\Microsoft\Internet Explorer\TypedURLsTime" /va /f >nul 2>&1
goto :eof

:history
rem The folder given is this user's history folder when it is named History or
rem holds the browser's History.IE5 store; any other folder is left alone.
if /i "%~nx1"=="History" goto history_found
if not exist "%~1\History.IE5\*" goto :eof
:history_found
call :empty "%~1"
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
