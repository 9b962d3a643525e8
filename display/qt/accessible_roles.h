#pragma once

// Tells screen readers what the program's own widgets are: each dialog's
// window is a dialog named by its title (not a plain pane), and the web link
// is a link named by its caption; one-line edits read their text whole;
// an announcement is a notification.
void installAccessibleRoles();
