// Whether the program runs under Wine, for the few places where Wine does
// otherwise than Windows and the program must follow what each does. Wine
// is known by the function its ntdll exports for its version.
#pragma once

bool underWine();
