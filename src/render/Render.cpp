// Placeholder until the renderer lands.
