// The screens behind the main menu's reward buttons; the app calls this once at start.
#pragma once

void registerMenuScenes();
