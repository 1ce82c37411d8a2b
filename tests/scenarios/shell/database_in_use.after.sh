kill -- -"$(cat holder.pid)"
