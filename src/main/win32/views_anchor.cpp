// Keeps the views library non-empty while subsystems add their windows.
namespace velgaro::views { int Anchor() { return 0; } }
