// The store's exchange dialog, laid over the running scene; the app calls this once at start.
#pragma once

void registerStoreInfoOverlay();
