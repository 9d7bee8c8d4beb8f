#pragma once
// DirectShow and kernel-streaming declarations in the order the MinGW headers need them.
#include <windows.h>
// windows.h first
#include <dshow.h>
#include <unknwn.h>
// then the kernel-streaming headers
#include <ks.h>
#include <ksproxy.h>
