#!/usr/bin/env bash
# Fails when a Windows executable imports a function or DLL that Windows XP lacks.
# Wine offers the newer exports even when it reports XP, so only the import table tells.
set -euo pipefail
exe=$1
# The objdump for the file's machine: 32-bit Windows, or 64-bit (a DLL for 64-bit Explorer).
pe_header=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
case $(od -An -tx2 -j$((pe_header + 4)) -N2 "$exe" | tr -d ' ') in
  8664) objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump} ;;
  *)    objdump=${OBJDUMP:-i686-w64-mingw32-objdump} ;;
esac
table=$("$objdump" -p "$exe")
# Functions of the system DLLs that first came with Vista or later and that the
# mingw runtime, libstdc++ or a careless call could pull in.
newer='GetTickCount64|InitializeSRWLock|AcquireSRWLock(Exclusive|Shared)|ReleaseSRWLock(Exclusive|Shared)|TryAcquireSRWLock(Exclusive|Shared)|InitializeConditionVariable|SleepConditionVariable(CS|SRW)|WakeConditionVariable|WakeAllConditionVariable|InitOnce(ExecuteOnce|BeginInitialize|Complete|Initialize)|InitializeCriticalSectionEx|CreateEventEx[AW]|CreateMutexEx[AW]|CreateSemaphoreEx[AW]|CreateWaitableTimerEx[AW]|GetFileInformationByHandleEx|SetFileInformationByHandle|GetFinalPathNameByHandle[AW]|CreateSymbolicLink[AW]|GetSystemTimePreciseAsFileTime|CancelIoEx|GetLocaleInfoEx|LCMapStringEx|CompareStringEx|CompareStringOrdinal|GetUserDefaultLocaleName|LocaleNameToLCID|CreateFile2|WaitOnAddress|WakeByAddress(Single|All)|SetThreadDescription|GetThreadDescription|GetCurrentProcessorNumber|QueryFullProcessImageName[AW]|GetThreadId|FlsAlloc|FlsFree|FlsGetValue|FlsSetValue|RegGetValue[AW]|RegDeleteTree[AW]|RegSetKeyValue[AW]|RegDeleteKeyEx[AW]|SHGetKnownFolderPath|TaskDialog|TaskDialogIndirect|ChangeWindowMessageFilter|ChangeWindowMessageFilterEx|SetProcessDPIAware|SetProcessDpiAwareness|GetDpiForWindow|ShutdownBlockReasonCreate|AddDllDirectory|SetDefaultDllDirectories|GetNamedPipeServerProcessId|GetErrorMode|GetProductInfo|IsThreadAFiber|GetQueuedCompletionStatusEx|SetFileCompletionNotificationModes|PowerCreateRequest|PowerSetRequest|SetThreadErrorMode|GetThreadErrorMode'
bad=$(printf '%s\n' "$table" | grep -E '^\s+[0-9a-f]+\s+[0-9]+\s+\S+' | awk '{print $3}' | grep -x -E "$newer" || true)
dlls=$(printf '%s\n' "$table" | sed -n 's/^\s*DLL Name: //p')
newdll=$(printf '%s\n' "$dlls" | grep -i -E '^(api-ms-|ext-ms-|dwmapi|bcrypt|ncrypt|ucrtbase|vcruntime|propsys|d2d1|dwrite|libwinpthread|libstdc|libgcc)' || true)
if [ -n "$bad$newdll" ]; then
  echo "$exe will not load on Windows XP:" >&2
  [ -n "$bad" ] && printf '  imports %s\n' $bad >&2
  [ -n "$newdll" ] && printf '  needs %s\n' $newdll >&2
  exit 1
fi
echo "$(basename "$exe"): imports only what Windows XP has ($(printf '%s\n' "$dlls" | tr '\n' ' '))"
