// Replaced by the analytics client.
