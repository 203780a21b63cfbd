#pragma once

// The one count the test server keeps: its COM objects alive and the
// references held to them. A client that releases what it was handed leaves
// both at zero once it lets go of the automation object.

namespace tidemark::win32::uia_server {

struct ReferenceLedger {
    long objects = 0;
    long references = 0;
    long handedOut = 0;  // every reference ever added, the creator's included
};

}  // namespace tidemark::win32::uia_server
