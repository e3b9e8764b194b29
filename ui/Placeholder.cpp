// replaced by the form kit
