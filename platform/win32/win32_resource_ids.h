#pragma once

// Resource ids the .rc files and the code share. Plain macros: windres reads them too.
#define TIDEMARK_ICON_ID 1
