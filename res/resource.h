/* Shared by the resource script and the code. */
#ifndef TINCTORA_RESOURCE_H
#define TINCTORA_RESOURCE_H

/* Commands sent by the accelerator table. */
#define cmdCopy 100
#define cmdCopyAlt 101
#define cmdPaste 102
#define cmdSwap 103

#endif
