// The Startup Manager page: built in the next step.
namespace talvane {}
