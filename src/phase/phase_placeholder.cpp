// Operations on the phase portrait are added here.
