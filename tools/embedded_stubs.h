// The installer stubs built into sfxpack, one per Windows target, so that a
// build needs no --stub. On Windows they are resources of type
// SFX_STUB_RESOURCE_TYPE; elsewhere byte ranges linked into the program
// that RegisterEmbeddedStubs makes findable the same way
// (Env::FindLinkedResource).
#pragma once

// Resource ids of the stubs.
constexpr unsigned short kStubIdX86 = 1;  // 32-bit installer stub, the shipped one
constexpr unsigned short kStubIdX64 = 2;  // its 64-bit twin

// Makes the stubs built into the program findable by type and id. Call once
// at start-up, before a build. A program built without a stub simply has
// none to find.
void RegisterEmbeddedStubs();
