// Identifiers of the resources compiled into Dusklatch.exe.
#pragma once

#define IDI_APP 1
