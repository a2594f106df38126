// Resource ids of Orbilux.exe, shared by the resource script and the code.
#pragma once

#define AppIconId 101
