#pragma once
// For the programs that make many pictures in one process (the exporter's batch, the service).

// Freed blocks of a picture's size (zlib's window and hash, a raster, a file's bytes) stay with
// the allocator for the next picture instead of going back to the system: otherwise each picture
// maps, faults in and unmaps them again, and every unmap makes each core flush its TLB.
void KeepWorkingMemory();
